#pragma once

// The main window: the rolled-metal weight calculators.
//
// How a calculation flows: the user picks a material (MaterialBar keeps the
// current density in a core DensitySelection), opens a group in the group bar
// (GroupBar; the group's reset runs, then SelectPanel shows its panel), types into
// a panel's fields and presses "=". The panel hands the field texts, the density
// and the material name to a core calculation (src/core/calculators), which
// applies the refusal rule, computes in extended precision and returns the result
// text and the report; the panel writes them into the result field and the report
// box, or shows the message box the outcome names.

#include "ui/app/MenuTable.h"
#include "ui/calculators/CalculatorHost.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QStackedLayout;
class QSystemTrayIcon;
class QTimer;
class QToolButton;

namespace tolvex
{

class CalculatorArea;
class CalculatorPanel;
class LanguageState;
class LanguageSwitch;
class MaterialBar;
class WindowDirectory;
struct WindowContext;

class TfrmGeneral : public QMainWindow, public CalculatorHost
{
    Q_OBJECT
public:
    explicit TfrmGeneral(const WindowContext& context, QWidget* parent = nullptr);
    ~TfrmGeneral() override;

    // The creation step: configuration read, material restored, Email initialised.
    void creationStep();

    // CalculatorHost
    long double density() const override;
    QString materialName() const override;
    bool materialIsAlloy() const override;
    QString messageText(int key) const override;
    QWidget* messageOwner() override { return this; }

    // Panel switching: one flag per panel in the group bar's order.
    void SelectPanel(bool dvutavr, bool shveler, bool ugolok, bool rels, bool shestigran,
                     bool prokat, bool atrmatura, bool list, bool listRiflen, bool profnastil,
                     bool metizi, bool truba, bool trubaKvadrat, bool trubaPryamugol);
    CalculatorPanel* panel(const QString& objectName) const;
    // Makes the calculator panels of groups not opened yet (each is made when its
    // group is first opened); for whoever looks into every panel.
    void buildAllPanels();

    // The language: the menu choices and applying the current file.
    void chooseRussian();
    void chooseEnglish();
    void Languard();
    // Start-up, once every window exists: applies the language whose item alone is
    // checked and restores the saved material against the lists of that language.
    void applyLanguageAtStart();
    QString currentLanguageFile() const;
    void setMessageText(int key, const QString& text);
    // Refills the material and alloy boxes with translated texts (in catalogue order);
    // the current density, the field contents and the report boxes stay as they are.
    void refillMaterialLists(const QStringList& materials, const QStringList& alloys);

    MaterialBar* materialBar() const { return m_materials; }
    QAction* russianItem() const { return m_miRUS; }
    QAction* englishItem() const { return m_miENG; }

    // Clear button: "0" into every numeric field of every panel.
    void clearAllFields();
    // The tray icon's hint follows the window title.
    void updateTrayHint();
    // The right column: advertising panel → notes panel (one way).
    void closeAdvertising();

    // Shut-down: set how the online test is made (tests replace it).
    void setOnlineTest(std::function<bool()> test) { m_onlineTest = std::move(test); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void buildBody();
    void buildMenus();
    void buildTrayIcon();
    void openGroup(int index);
    void runMenu(const MenuRow& row);

    WindowDirectory& m_windows;
    LanguageState& m_language;
    MaterialBar* m_materials = nullptr;
    CalculatorArea* m_calculators = nullptr;
    QWidget* m_advertising = nullptr;
    QWidget* m_notes = nullptr;
    QTimer* m_advertisingTimer = nullptr;
    QAction* m_miRUS = nullptr;
    QAction* m_miENG = nullptr;
    QMenu* m_trayMenu = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    std::unique_ptr<LanguageSwitch> m_languageSwitch;
    QString m_email;
    bool m_languageChosen = false; // tolvex.ini names a language
    std::function<bool()> m_onlineTest;
};

} // namespace tolvex
