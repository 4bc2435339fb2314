#pragma once

#include "ui/common/ToolWindow.h"

#include "core/reference/UnitConverter.h"

#include <QWidget>

class QScrollArea;

namespace tolvex
{

class ConverterColumns;

// A unit converter window: the units of one quantity with their ratio column and a
// calculator column, in a scroll box (`ScrollBox1`). Choosing a unit fills the ratio
// column with one of it in every unit and makes its field the one to type into; a
// unit's "=" converts the value of its field into every other unit.
class UnitConverterWindow : public ToolWindow
{
    Q_OBJECT
public:
    UnitConverterWindow(units::Quantity quantity, const QString& objectName, const QString& caption,
                        QWidget* parent = nullptr);

    // The window's controls (built by this call when they are still waiting).
    ConverterColumns* columns() const;
    QScrollArea* scrollBox() const;
    const units::UnitConverter& converter() const { return m_converter; }

    void RzRadioGroup1Click(int unit);
    void RzBitBtnClick(int unit);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build();
    void fitHeight();

    units::UnitConverter m_converter;
    bool m_fitted = false;
    QScrollArea* m_scroll = nullptr;
    ConverterColumns* m_columns = nullptr;
};

// "Соотношения едениц длины": the 48 units of length.
class TForm27 : public UnitConverterWindow
{
    Q_OBJECT
public:
    explicit TForm27(QWidget* parent = nullptr);
};

// "Соотношения едениц массы".
class TfrmMassUnits : public UnitConverterWindow
{
    Q_OBJECT
public:
    explicit TfrmMassUnits(QWidget* parent = nullptr);
};

// "Соотношения едениц площади".
class TfrmAreaUnits : public UnitConverterWindow
{
    Q_OBJECT
public:
    explicit TfrmAreaUnits(QWidget* parent = nullptr);
};

} // namespace tolvex
