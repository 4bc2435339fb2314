#include "ui/materials/MaterialBar.h"

#include "core/app/Configuration.h"
#include "core/app/LanguageFile.h"
#include "core/app/ProgramFolder.h"
#include "core/materials/MaterialCatalogue.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/SettingsNotice.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <numeric>

namespace tolvex
{

MaterialBar::MaterialBar(QComboBox* materialBox, QComboBox* alloyBox, QWidget* owner,
                         bool saveChoice)
    : QObject(owner), m_material(materialBox), m_alloy(alloyBox), m_owner(owner), m_save(saveChoice)
{
    for (QComboBox* box : {m_material, m_alloy}) {
        box->setEditable(true);
        box->setMaxVisibleItems(20);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
    }
    m_alloy->setVisible(false);
    fillBuiltIn();
    m_alloy->setEditText(QStringLiteral("Укажите необходимый Вам сплав из списка"));
    m_material->setEditText(QString());
    connect(m_material, &QComboBox::activated, this, &MaterialBar::chooseMaterialAt);
    connect(m_alloy, &QComboBox::activated, this, &MaterialBar::chooseAlloyAt);
    connect(m_material->lineEdit(), &QLineEdit::textEdited, this, &MaterialBar::typed);
}

void MaterialBar::fillBuiltIn()
{
    QStringList m, a;
    for (const auto& entry : materials::materials())
        m << entry.text;
    for (const auto& entry : materials::alloys())
        a << entry.text;
    fill(m, a);
}

void MaterialBar::fill(const QStringList& materialTexts, const QStringList& alloyTexts)
{
    // Emptying the lists clears their texts and selections; the density stays.
    std::vector<int> order(std::size_t(materialTexts.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return QString::localeAwareCompare(materialTexts[a], materialTexts[b]) < 0;
    });
    m_material->blockSignals(true);
    m_material->clear();
    for (const int i : order)
        m_material->addItem(materialTexts[i], i);
    m_material->setCurrentIndex(-1);
    m_material->setEditText(QString());
    m_material->blockSignals(false);

    m_alloy->blockSignals(true);
    m_alloy->clear();
    for (int i = 0; i < alloyTexts.size(); ++i)
        m_alloy->addItem(alloyTexts[i], i);
    m_alloy->setCurrentIndex(-1);
    m_alloy->setEditText(QString());
    m_alloy->blockSignals(false);
}

int MaterialBar::catalogueIndexAt(int row) const
{
    if (row < 0 || row >= m_material->count())
        return -1;
    return m_material->itemData(row).toInt();
}

void MaterialBar::chooseMaterialAt(int row)
{
    if (row >= 0 && row < m_material->count()) {
        m_material->setCurrentIndex(row);
        m_material->setEditText(m_material->itemText(row));
    }
    m_selection.chooseMaterial(catalogueIndexAt(row));
    m_alloy->setVisible(m_selection.alloyBoxVisible());
    if (m_selection.alloyBoxVisible()) {
        const int alloyRow = m_alloy->findData(m_selection.selectedAlloy());
        m_alloy->setCurrentIndex(alloyRow);
    }
    save();
    emit densityChanged(m_selection.density());
}

void MaterialBar::chooseAlloyAt(int row)
{
    if (row < 0 || row >= m_alloy->count())
        return;
    m_alloy->setCurrentIndex(row);
    m_selection.chooseAlloy(m_alloy->itemData(row).toInt());
    emit densityChanged(m_selection.density());
}

void MaterialBar::typed(const QString& text)
{
    m_alloy->setVisible(false);
    const int cursor = m_material->lineEdit()->cursorPosition();
    m_material->blockSignals(true);
    m_material->setCurrentIndex(-1);
    m_material->setEditText(text);
    m_material->lineEdit()->setCursorPosition(cursor);
    m_material->blockSignals(false);
    if (!m_selection.typeText(text))
        showConversionError(m_owner, text);
    emit densityChanged(m_selection.density());
}

void MaterialBar::restore(const QString& text)
{
    int row = m_material->findText(text, Qt::MatchExactly);
    if (row < 0) {
        // Saved in another language than the lists show now, or with its blanks lost:
        // the entry is found by its text in any list, and selected by its index.
        QStringList shown(m_material->count());
        for (int i = 0; i < m_material->count(); ++i) {
            const int index = catalogueIndexAt(i);
            if (index >= 0 && index < shown.size())
                shown[index] = m_material->itemText(i);
        }
        const QList<QStringList> lists =
            QList<QStringList>{shown} +
            language::shippedMaterialLists({programFolder(), installedDataFolder()});
        row = m_material->findData(materials::savedMaterialIndex(text, lists));
    }
    if (row >= 0) {
        chooseMaterialAt(row);
        return;
    }
    // No entry has this text: it was a typed density (no box at start when it is no number).
    m_material->setEditText(text);
    if (!text.trimmed().isEmpty())
        m_selection.typeText(text);
    save();
}

QString MaterialBar::reportName() const
{
    return m_selection.reportName(m_material->currentText(), m_alloy->currentText());
}

void MaterialBar::save()
{
    if (m_save && !Configuration::program().writeMaterial(m_material->currentText()))
        noticeUnsavedSettings(m_material->window());
}

} // namespace tolvex
