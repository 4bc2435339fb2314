#pragma once

#include <QLineEdit>

namespace tolvex
{

// A field for whole numbers: while edited it shows the plain number ("-1500"),
// otherwise the number with thousands grouping, a negative one in parentheses
// ("(1 500)"). Only whole numbers can be typed: a decimal separator is refused.
class WholeNumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit WholeNumberEdit(const QString& objectName, QWidget* parent = nullptr);

    qint64 value() const { return m_value; }
    void setValue(qint64 value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showGrouped();
    qint64 m_value = 0;
};

} // namespace tolvex
