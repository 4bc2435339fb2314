#include "ui/reference/PictureWindows.h"

#include "ui/common/WindowDirectory.h"
#include "ui/reference/SvgPicture.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

// A window with a sizeable border and only a close button.
constexpr Qt::WindowFlags kPictureFlags = Qt::Window | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowCloseButtonHint;

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Линейные размеры стандартных профилей"));
    auto* layout = new QHBoxLayout(this);
    Image2 = new SvgPicture(QStringLiteral("Image2"), this);
    Image3 = new SvgPicture(QStringLiteral("Image3"), this);
    Image4 = new SvgPicture(QStringLiteral("Image4"), this);
    Image2->setDrawing(Drawing::Channel);
    Image3->setDrawing(Drawing::Rail);
    Image4->setDrawing(Drawing::EqualAngle);
    for (SvgPicture* image : {Image2, Image3, Image4})
        layout->addWidget(image);
}

TForm30::TForm30(QWidget* parent) : QWidget(parent, kPictureFlags)
{
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(QStringLiteral("Швеллер"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Image1 = new SvgPicture(QStringLiteral("Image1"), this);
    layout->addWidget(Image1);
}

void TForm30::setSketch(Drawing drawing, const QString& caption)
{
    Image1->setDrawing(drawing);
    setWindowTitle(caption);
    adjustSize();
    // A hidden window opens centred on the screen; a visible one stays where the user put it.
    if (!isVisible())
        centreOnScreen(this);
}

PictureWindow::PictureWindow(const char* objectName, const QString& caption, Drawing drawing,
                             QSize size, QWidget* parent)
    : QWidget(parent, kPictureFlags)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Image1 = new SvgPicture(QStringLiteral("Image1"), this);
    Image1->setDrawing(drawing);
    layout->addWidget(Image1);
    resize(size);
    centreOnScreen(this);
}

TForm13::TForm13(QWidget* parent)
    : PictureWindow("Form13", QStringLiteral("Лист рифленный"), Drawing::CheckerPlate,
                    QSize(557, 304), parent)
{
}

TForm14::TForm14(QWidget* parent)
    : PictureWindow("Form14", QStringLiteral("Арматура"), Drawing::Rebar, QSize(252, 211), parent)
{
}

TProf_trub::TProf_trub(QWidget* parent)
    : PictureWindow("Prof_trub", QStringLiteral("Квадратная труба"), Drawing::SquareTube,
                    QSize(247, 233), parent)
{
}

TForm25::TForm25(QWidget* parent)
    : PictureWindow("Form25", QStringLiteral("Прямоугольная трубы"), Drawing::RectangularTube,
                    QSize(300, 195), parent)
{
}

void showSketch(WindowDirectory& windows, Drawing drawing, const QString& caption)
{
    if (auto* sketch = qobject_cast<TForm30*>(windows.window(WindowId::Form30)))
        sketch->setSketch(drawing, caption);
    windows.showWindow(WindowId::Form30, Modality::Modeless);
}

QWidget* createForm3(const WindowContext&)
{
    return new TForm3;
}

QWidget* createForm30(const WindowContext&)
{
    return new TForm30;
}

QWidget* createForm13(const WindowContext&)
{
    return new TForm13;
}

QWidget* createForm14(const WindowContext&)
{
    return new TForm14;
}

QWidget* createProf_trub(const WindowContext&)
{
    return new TProf_trub;
}

QWidget* createForm25(const WindowContext&)
{
    return new TForm25;
}

QWidget* createSI(const WindowContext&)
{
    return new TSI;
}

} // namespace tolvex
