#include "core/app/LanguageState.h"

namespace tolvex
{

LanguageState::LanguageState(QObject* parent) : QObject(parent) {}

void LanguageState::setMarks(bool russian, bool english)
{
    if (russian == m_russian && english == m_english)
        return;
    m_russian = russian;
    m_english = english;
    emit changed();
}

void LanguageState::setFile(const QString& file)
{
    if (file == m_file)
        return;
    m_file = file;
    emit changed();
}

} // namespace tolvex
