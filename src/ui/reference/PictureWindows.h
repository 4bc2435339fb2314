#pragma once

#include "ui/common/ToolWindow.h"

#include "ui/common/Drawings.h"

#include <QWidget>

class QTextBrowser;

namespace tolvex
{

class SvgPicture;
class WindowDirectory;
struct WindowContext;

// The keeper of the profile drawings: Image2 channel, Image3 rail, Image4 equal-leg
// angle. No menu shows it; the sketches and the result sheet take its drawings.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    SvgPicture* Image2;
    SvgPicture* Image3;
    SvgPicture* Image4;
};

// The sketch window: one picture Image1 and a caption, both replaced by every
// "Эскиз" click; the window sizes itself to the picture.
class TForm30 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm30(QWidget* parent = nullptr);
    // Puts the drawing and the caption into the window (without showing it).
    void setSketch(Drawing drawing, const QString& caption);
    SvgPicture* Image1;
};

// A window that shows one drawing in its picture control Image1, at the given
// outer size, with a sizeable border and only a close button.
class PictureWindow : public QWidget
{
    Q_OBJECT
public:
    PictureWindow(const char* objectName, const QString& caption, Drawing drawing, QSize size,
                  QWidget* parent = nullptr);
    SvgPicture* Image1;
};

// Checker plate (557 × 304), reinforcing bar (252 × 211), square (247 × 233) and
// rectangular (300 × 195) hollow sections.
class TForm13 : public PictureWindow
{
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
};
class TForm14 : public PictureWindow
{
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);
};
class TProf_trub : public PictureWindow
{
    Q_OBJECT
public:
    explicit TProf_trub(QWidget* parent = nullptr);
};
class TForm25 : public PictureWindow
{
    Q_OBJECT
public:
    explicit TForm25(QWidget* parent = nullptr);
};

// The table of SI units in a scroll box; its text can be selected and copied, and it
// keeps its scroll position while the window is hidden.
class TSI : public ToolWindow
{
    Q_OBJECT
public:
    explicit TSI(QWidget* parent = nullptr);
    QTextBrowser* ScrollBox1;
};

// The "Эскиз" buttons of the channel, rail, angle and I-beam panels: put the drawing
// and the caption into the sketch window Form30 and show it non-modally (raised if it
// is already visible).
void showSketch(WindowDirectory& windows, Drawing drawing, const QString& caption);

QWidget* createForm3(const WindowContext& context);
QWidget* createForm30(const WindowContext& context);
QWidget* createForm13(const WindowContext& context);
QWidget* createForm14(const WindowContext& context);
QWidget* createProf_trub(const WindowContext& context);
QWidget* createForm25(const WindowContext& context);
QWidget* createSI(const WindowContext& context);

} // namespace tolvex
