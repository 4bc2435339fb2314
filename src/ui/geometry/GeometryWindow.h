#pragma once

#include <QWidget>

class QTabWidget;

namespace tolvex
{

class WindowMaterialBox;

// What the flat-blank and solids windows share: a fixed-size top-level window
// with minimise and close buttons, centred on the screen when first shown, that
// runs its Clear whenever it is closed (closing only hides it), and its own
// material box with the window density.
class GeometryWindow : public QWidget
{
    Q_OBJECT
public:
    GeometryWindow(const QString& objectName, const QString& caption, QSize clientSize,
                   QWidget* parent = nullptr);

    virtual void Clear() = 0;
    double density() const;
    WindowMaterialBox* materialBox() const { return m_materials; }

protected:
    // Adds a page to the outer page control; when `innerControl` is named, the page
    // holds an inner page control of that name, which is returned (else nullptr).
    static QTabWidget* addOuterPage(QTabWidget* outer, const QString& sheetName,
                                    const QString& innerControl, const QString& caption);
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Shows the window (centred the first time), raised and active.
    void present();

private:
    WindowMaterialBox* m_materials;
    bool m_centred = false;
};

} // namespace tolvex
