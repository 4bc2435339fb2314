#pragma once

#include <QDialog>

namespace tolvex
{

// A window of the program that has no content of its own yet: its class name,
// objectName and design caption. Closing it only hides it.
class SecondaryWindow : public QDialog
{
    Q_OBJECT
public:
    SecondaryWindow(const QString& className, const QString& objectName, const QString& caption,
                    QWidget* parent = nullptr);
};

} // namespace tolvex
