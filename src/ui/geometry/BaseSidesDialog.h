#pragma once

#include <QDialog>

namespace tolvex
{

class WholeNumberEdit;

// A base dialog of the prism: the two sides of a rectangular base in whole
// millimetres, "Вычислить" confirms, "Отмена" cancels. It keeps its values
// between uses.
class BaseSidesDialog : public QDialog
{
    Q_OBJECT
public:
    BaseSidesDialog(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    qint64 sideA() const;
    qint64 sideB() const;
    WholeNumberEdit* sideAField() const { return m_a; }
    WholeNumberEdit* sideBField() const { return m_b; }

private:
    WholeNumberEdit* m_a;
    WholeNumberEdit* m_b;
};

// The prism's two base dialogs, "frmSquareCalc" and "frmPerimetrCalc".
BaseSidesDialog* createSquareCalc(QWidget* parent = nullptr);
BaseSidesDialog* createPerimetrCalc(QWidget* parent = nullptr);

} // namespace tolvex
