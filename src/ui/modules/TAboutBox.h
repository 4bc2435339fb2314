#pragma once

#include <QDialog>

class QLabel;

namespace tolvex
{

// "Об авторе.": the program's emblem, name, team, version, e-mail and web address.
// Clicking the e-mail writes a mail; clicking the web address opens the web page,
// double-clicking it the download page; "Благодарность:" thanks the users and
// double-clicking the emblem tells what the program is for.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const QString& name, const QString& text);
    void Label1Click();
    void Label5Click();
    void Label5DblClick();
    void Label3Click();
    void Image1DblClick();

    QLabel* m_image;
    QLabel* m_mail;
    QLabel* m_web;
    QLabel* m_thanks;
    QWidget* m_texts;
};

} // namespace tolvex
