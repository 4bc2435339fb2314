#pragma once

namespace tolvex
{

// A window with pages (outer tabs, inner tabs): the window directory selects the
// page before it shows the window.
class PagedWindow
{
public:
    virtual ~PagedWindow() = default;
    // Selects the outer and inner page; -1 leaves that level unchanged.
    virtual void selectPage(int outer, int inner) = 0;
};

} // namespace tolvex
