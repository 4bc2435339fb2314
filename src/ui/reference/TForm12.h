#pragma once

#include <QDialog>

class QLabel;
class QScrollArea;

namespace tolvex
{

// "Физико-химические свойства металлов и сплавов": one page of the picture library,
// read when the window is shown and drawn at (1, 1); the window scrolls when the page
// is larger. It stays open until the user closes it.
class TForm12 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    // The page to show next (the steels window's Label2).
    void setPage(int page) { m_page = page; }
    int page() const { return m_page; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    QScrollArea* m_scroll;
    QLabel* m_image;
    int m_page = 0;
};

} // namespace tolvex
