#pragma once

#include "ui/common/NumericEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QList>

namespace tolvex
{

// The labelled input fields of a flat-blank variant or a solid, one grid row each
// (caption, then a 64-pixel field), from rows of {labelName, caption, fieldName}.
// The rows below the last stretch.
template <typename Inputs>
QList<NumericEdit*> addInputRows(QWidget* owner, QGridLayout* grid, const Inputs& inputs)
{
    QList<NumericEdit*> fields;
    int row = 0;
    for (const auto& in : inputs) {
        auto* caption = new QLabel(in.caption, owner);
        caption->setObjectName(in.labelName);
        auto* field = new NumericEdit(in.fieldName, owner);
        field->setFixedWidth(64);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        fields << field;
        ++row;
    }
    grid->setRowStretch(row, 1);
    return fields;
}

// The texts of the fields as a calculation reads them; an emptied field gets "0" first.
inline QStringList fieldTexts(const QList<NumericEdit*>& fields)
{
    QStringList texts;
    for (NumericEdit* field : fields) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
        texts << field->text();
    }
    return texts;
}

} // namespace tolvex
