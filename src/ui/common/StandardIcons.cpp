#include "ui/common/StandardIcons.h"

#include <QApplication>
#include <QHash>

namespace tolvex
{

namespace
{

QHash<int, QIcon>* icons = nullptr;

// The pictures go with the application, before the statics.
void forgetIcons()
{
    delete icons;
    icons = nullptr;
}

} // namespace

QIcon standardIcon(QStyle::StandardPixmap icon)
{
    if (!icons) {
        icons = new QHash<int, QIcon>;
        qAddPostRoutine(forgetIcons);
    }
    auto found = icons->constFind(int(icon));
    if (found == icons->constEnd())
        found = icons->insert(int(icon), QApplication::style()->standardIcon(icon));
    return *found;
}

} // namespace tolvex
