#pragma once

#include "ui/common/WindowDirectory.h"

#include <QHash>
#include <QList>
#include <QWidget>

namespace tolvex::test
{

// A window directory for tests that build one window on its own: it hands out the
// windows put into it and records every request to show one.
class StubWindowDirectory : public WindowDirectory
{
public:
    struct Request {
        WindowId id;
        Modality modality;
        Page page;
    };

    void put(WindowId id, QWidget* window) { m_windows.insert(int(id), window); }
    QWidget* window(WindowId id) const override { return m_windows.value(int(id)); }
    void showWindow(WindowId id, Modality modality, Page page = {}) override
    {
        m_requests.append({id, modality, page});
        if (QWidget* w = window(id))
            w->show();
    }
    const QList<Request>& requests() const { return m_requests; }

private:
    QHash<int, QWidget*> m_windows;
    QList<Request> m_requests;
};

} // namespace tolvex::test
