#pragma once

#include <QDialog>

class QPlainTextEdit;

// The windows that describe an add-on module when it could not be opened: one memo
// filling the window with the topics the module covers.
namespace tolvex
{

class ModuleDescription : public QDialog
{
    Q_OBJECT
protected:
    ModuleDescription(const QString& objectName, const QString& caption, QSize client,
                      const QString& text, QWidget* parent);

private:
    QPlainTextEdit* m_memo;
};

// "Электротехника" (Voltmod).
class TForm21 : public ModuleDescription
{
    Q_OBJECT
public:
    explicit TForm21(QWidget* parent = nullptr);
};

// "Алюминий и медь" (Nonfer).
class TForm23 : public ModuleDescription
{
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent = nullptr);
};

} // namespace tolvex
