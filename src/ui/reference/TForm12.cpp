#include "ui/reference/TForm12.h"

#include "core/modules/ModuleContracts.h"
#include "ui/common/MessageBoxes.h"
#include "ui/modules/ModuleLibrary.h"
#include "ui/reference/SteelWindows.h"

#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QPainter>
#include <QScrollArea>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace tolvex
{

TForm12::TForm12(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Физико-химические свойства металлов и сплавов"));
    resize(1018, 480);

    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollArea"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_image);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
}

void TForm12::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window shows it again: the page stays, nothing is read.
    if (event->spontaneous())
        return;
    m_image->clear();
    m_image->resize(0, 0);
    // The error boxes belong to the shown window: read the page once it is up.
    QTimer::singleShot(0, this, &TForm12::FormActivate);
}

void TForm12::FormActivate()
{
    if (!isVisible())
        return;
    QLibrary library(modules::libraryName(modules::PictureLibrary));
    if (!library.load()) {
        showInformation(this,
                        QStringLiteral("Библиотеку \"Физико-химические свойства материалов\" не "
                                       "удалось загрузить. Проверьте правильность размещения "
                                       "библиотеки. Библиотеку необходимо разместить в папке "
                                       "вместе с программой"),
                        QMessageBox::Information, QStringLiteral("Error"));
        return;
    }
    auto load =
        reinterpret_cast<modules::LoadJpegFromExe>(library.resolve(modules::PictureEntryPoint));
    if (!load) {
        library.unload();
        showInformation(this, QStringLiteral("Необъяснимая ошибка. Ничего не загрузилось."),
                        QMessageBox::Information, QStringLiteral("Error"));
        return;
    }
    const unsigned char* jpeg = nullptr;
    const std::size_t size = load(m_page, &jpeg);
    QImage page;
    // The block belongs to the library: decode it (a deep copy) before unloading.
    if (jpeg && size > 0 && size <= std::size_t(std::numeric_limits<int>::max()))
        page.loadFromData(jpeg, int(size), "JPEG");
    library.unload();
    if (page.isNull())
        return;

    QPixmap canvas(page.width() + 1, page.height() + 1);
    canvas.fill(palette().color(QPalette::Window));
    QPainter painter(&canvas);
    painter.drawImage(QPoint(1, 1), page);
    painter.end();
    m_image->setPixmap(canvas);
    m_image->resize(canvas.size());
}

QWidget* createForm12(const WindowContext&)
{
    return new TForm12;
}

} // namespace tolvex
