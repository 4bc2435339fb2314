#pragma once

#include <QLineEdit>

namespace tolvex
{

// A numeric input field: accepts only what can make a number in the system
// locale's notation (digits, one decimal separator, a leading sign, an exponent
// as the program writes it: "2,69E-5"). It starts with the text "0".
class NumericEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumericEdit(const QString& objectName, QWidget* parent = nullptr);
};

} // namespace tolvex
