#pragma once

#include <QDialog>

namespace tolvex
{

// "Что нового в новых версиях?": the built-in version history and an OK button.
class TfrmHistory : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmHistory(QWidget* parent = nullptr);
};

} // namespace tolvex
