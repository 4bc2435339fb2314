#include "ui/modules/TfrmHistory.h"

#include "ui/modules/ModuleWindows.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvex
{

namespace
{

const char* const History =
    "Новое и скоро.\n"
    "Готовятся модули \"Алюминий и медь\" и \"Электротехника\", сортамент труб из "
    "нержавеющей стали и расчёт массы поковок. Пишите, чего не хватает: пункт меню "
    "\"В разработку\".\n\n"
    "Версия 5.00\n"
    "Окна заготовок из листа и геометрических тел со своим выбором материала. Расчёт "
    "стальных канатов по стандартам и сортамент канатов. Диаметр резьбы хвостовика "
    "крюка. Английский интерфейс из языкового файла.\n\n"
    "Версия 4.50\n"
    "Справочник сталей и сплавов: 820 марок с физико-химическими свойствами. Пластмассы, "
    "единицы давления с пересчётом, единицы длины и площади, таблица единиц СИ.\n\n"
    "Версия 4.00\n"
    "Печать и предварительный просмотр результатов расчёта на листе A4. Значок в области "
    "уведомлений с меню основных окон.\n\n"
    "Версия 3.50\n"
    "Трубы квадратные и прямоугольные, лист рифлёный и профилированный, болты с гайками. "
    "Список сплавов для групп материалов \"(из списка)\".\n\n"
    "Версия 3.00\n"
    "Уголки равнополочные и неравнополочные, шестигранник, арматура, рельсы. Обратный "
    "расчёт: длина по массе.\n\n"
    "Версия 2.00\n"
    "Двутавры и швеллеры по сортаменту, трубы круглые. Выбранный материал сохраняется "
    "между запусками.\n\n"
    "Версия 1.5\n"
    "Список материалов с плотностями, ввод своей плотности.\n\n"
    "Версия 1.0\n"
    "Первая версия: масса круга, квадрата и листа из стали.";

} // namespace

TfrmHistory::TfrmHistory(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("Что нового в новых версиях?"));
    setFixedSize(385, 503);

    auto* memo = new QPlainTextEdit(QString::fromUtf8(History), this);
    memo->setObjectName(QStringLiteral("RzMemo1"));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = memo->font();
    font.setPointSize(10);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    memo->setPalette(palette);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setFixedHeight(25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(memo, 1);
    layout->addWidget(ok);
}

QWidget* createFrmHistory(const WindowContext&)
{
    return new TfrmHistory;
}

} // namespace tolvex
