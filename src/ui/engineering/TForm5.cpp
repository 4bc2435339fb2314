#include "ui/engineering/TForm5.h"

#include "core/app/LanguageKeys.h"
#include "core/app/LanguageState.h"
#include "core/common/NumberText.h"
#include "core/engineering/BoxText.h"
#include "core/engineering/HookThread.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/NumericEdit.h"
#include "ui/engineering/HookPicture.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace tolvex
{

namespace
{
constexpr int lng419 = 419;

QLabel* resultLine(const QString& name, QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::StyledPanel);
    line->setFrameShadow(QFrame::Sunken);
    line->setMinimumWidth(75);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}
} // namespace

TForm5::TForm5(const WindowContext& context, QWidget* parent)
    : ToolWindow(QStringLiteral("Form5"),
                 QStringLiteral("Расчет номинального диаметра резьбы хвостовика крюка"), parent),
      m_context(context)
{
    setFixedSize(484, 262);

    auto* params = new QGroupBox(QStringLiteral("Параметры"), this);
    params->setObjectName(QStringLiteral("RzGroupBox1"));
    auto* paramGrid = new QGridLayout(params);
    paramGrid->setVerticalSpacing(4);
    const struct {
        const char* label;
        const char* field;
        QString caption;
        NumericEdit** edit;
    } inputs[] = {
        {"RzLabel1", "RzNumericEdit1", QStringLiteral("Нагрузка, Q кН"), &m_load},
        {"RzLabel2", "RzNumericEdit2", QStringLiteral("Предел текучести стали крюка, МПа"),
         &m_yield},
        // The "c" of "запаcа" is a Latin letter, as the caption has always been written.
        {"RzLabel3", "RzNumericEdit3", QStringLiteral("Коэффициент запаcа прочности, s"),
         &m_safety},
        {"RzLabel4", "RzNumericEdit4", QStringLiteral("Выбранный шаг резьбы, p мм."), &m_pitch},
    };
    int row = 0;
    for (const auto& in : inputs) {
        *in.edit = new NumericEdit(QString::fromLatin1(in.field), params);
        (*in.edit)->setFixedWidth(80);
        auto* label = new QLabel(in.caption, params);
        label->setObjectName(QString::fromLatin1(in.label));
        label->setBuddy(*in.edit);
        paramGrid->addWidget(label, row, 0);
        paramGrid->addWidget(*in.edit, row++, 1);
    }

    auto* results = new QGroupBox(QStringLiteral("Результаты"), this);
    results->setObjectName(QStringLiteral("RzGroupBox2"));
    auto* resultGrid = new QGridLayout(results);
    resultGrid->setVerticalSpacing(4);
    m_strength = resultLine(QStringLiteral("lblStrength"), results);
    m_design = resultLine(QStringLiteral("lblDesignDiameter"), results);
    m_nominal = resultLine(QStringLiteral("lblNominalDiameter"), results);
    const struct {
        const char* name;
        QString caption;
        QLabel* line;
    } lines[] = {
        {"RzLabel5", QStringLiteral("Расчетный предел прочности стали"), m_strength},
        {"RzLabel6", QStringLiteral("Расчетный диаметр резьбы"), m_design},
        {"RzLabel7", QStringLiteral("Номинальный диаметр резьбы"), m_nominal},
    };
    row = 0;
    for (const auto& line : lines) {
        auto* label = new QLabel(line.caption, results);
        label->setObjectName(QString::fromLatin1(line.name));
        label->setBuddy(line.line);
        resultGrid->addWidget(label, row, 0);
        resultGrid->addWidget(line.line, row++, 1);
    }

    auto* calc = new QPushButton(QStringLiteral("Вычислить"), this);
    calc->setObjectName(QStringLiteral("RzBitBtn1"));
    auto* clearButton = new QPushButton(QStringLiteral("Очистить"), this);
    clearButton->setObjectName(QStringLiteral("RzBitBtn2"));
    auto* picture = new HookPicture(this);
    picture->setObjectName(QStringLiteral("Image1"));

    auto* left = new QVBoxLayout;
    left->addWidget(params);
    left->addWidget(results);
    auto* right = new QVBoxLayout;
    right->addWidget(picture, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calc);
    buttons->addWidget(clearButton);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(calc, &QPushButton::clicked, this, &TForm5::calculate);
    connect(clearButton, &QPushButton::clicked, this, &TForm5::clear);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm5::focusWindowChanged);
}

QString TForm5::disclaimerText()
{
    return QStringLiteral("Данный расчет представлен как справочный. Автор не \n\r"
                          "несет никакой ответственности за какой-либо ущерб \n\r"
                          "причиненный вследствии применения вычислений.");
}

void TForm5::calculate()
{
    long double values[4] = {};
    const NumericEdit* fields[4] = {m_load, m_yield, m_safety, m_pitch};
    for (int i = 0; i < 4; ++i) {
        const QString text = fields[i]->text();
        if (text.trimmed().isEmpty())
            continue; // an empty field reads as 0
        const auto value = parseNumber(text);
        if (!value) {
            showConversionError(this, text);
            return;
        }
        values[i] = *value;
    }
    const hook::HookInput input{values[0], values[1], values[2], values[3]};
    const hook::HookCheck check = hook::checkHook(input);
    if (check == hook::HookCheck::AllZero) {
        showInformation(this, m_context.language.message(lng419, language::builtInMessage(lng419)));
        return;
    }
    if (check == hook::HookCheck::Overflow) {
        showFloatingPointError(this);
        return;
    }
    if (check != hook::HookCheck::Ok) {
        showInformation(this, hook::hookCheckText(check));
        return;
    }
    const hook::HookResult result = hook::hookResult(input, m_context.language.english());
    m_strength->setText(result.strength);
    m_design->setText(result.designDiameter);
    m_nominal->setText(result.nominalDiameter);
}

void TForm5::clear()
{
    for (NumericEdit* field : {m_load, m_yield, m_safety, m_pitch})
        field->setText(QStringLiteral("0"));
    m_strength->clear();
    m_design->clear();
    m_nominal->clear();
    m_load->setFocus();
}

void TForm5::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        m_justShown = true;
    ToolWindow::showEvent(event);
}

bool TForm5::ownedByThis(QWindow* window) const
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() != window)
            continue;
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (p == this)
                return true;
    }
    return false;
}

void TForm5::focusWindowChanged(QWindow* focus)
{
    if (!focus)
        return;
    if (focus != windowHandle()) {
        m_cameFrom = focus;
        return;
    }
    // A box of this window has gone (or is going): coming back from it shows nothing.
    const bool fromOtherWindow = m_cameFrom && !ownedByThis(m_cameFrom);
    const bool show = m_justShown || fromOtherWindow;
    m_justShown = false;
    m_cameFrom = nullptr;
    if (show)
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                showInformation(this, boxText(disclaimerText()), QMessageBox::Warning);
        });
}

} // namespace tolvex
