#include "ui/common/MessageBoxes.h"

#include <QLocale>

namespace tolvex
{

namespace
{

MessageBoxHook& hook()
{
    static MessageBoxHook installed;
    return installed;
}

int run(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons)
{
    if (hook())
        return hook()(caption, text, icon);
    QMessageBox box(icon, caption, text, buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setObjectName(QStringLiteral("messageBox"));
    return box.exec();
}

} // namespace

void setMessageBoxHook(MessageBoxHook h)
{
    hook() = std::move(h);
}

void showInformation(QWidget* owner, const QString& text, QMessageBox::Icon icon,
                     const QString& caption)
{
    run(owner, icon, caption, text, QMessageBox::Ok);
}

bool askOkCancel(QWidget* owner, const QString& text, const QString& caption)
{
    return run(owner, QMessageBox::Information, caption, text,
               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void showError(QWidget* owner, const QString& text)
{
    run(owner, QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

void showConversionError(QWidget* owner, const QString& badText)
{
    const QString example = QStringLiteral("7") + QLocale::system().decimalPoint() + "85";
    showError(owner, QStringLiteral("«") + badText.left(200) +
                         QStringLiteral("» — это не число. Введите число, например ") + example +
                         QStringLiteral("."));
}

void showFloatingPointError(QWidget* owner)
{
    showError(owner, QStringLiteral("Ошибка вычисления: деление на ноль или переполнение. "
                                    "Проверьте, что все размеры и плотность больше нуля."));
}

} // namespace tolvex
