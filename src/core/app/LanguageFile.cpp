#include "core/app/LanguageFile.h"

#include "core/common/PrivateProfile.h"

#include <QDir>
#include <QFileInfo>

namespace tolvex::language
{

LanguagePlan readLanguageFile(const QString& path)
{
    const PrivateProfile file(path);
    LanguagePlan plan;
    plan.fileExists = file.exists() && !file.unreadable();

    const QString form = formSection();
    const std::vector<Target>& targets = formTargets();
    plan.form.reserve(qsizetype(targets.size()));
    for (const Target& t : targets) {
        const QString own = t.overrideKey();
        plan.form << (file.contains(form, own) ? file.value(form, own) : file.value(form, t.key));
    }

    const QString materials = materialSection();
    plan.materials.reserve(materialCount);
    for (int i = 0; i < materialCount; ++i)
        plan.materials << file.value(materials, materialKey(i));

    const QString alloys = alloySection();
    plan.alloys.reserve(alloyCount);
    for (int i = 0; i < alloyCount; ++i)
        plan.alloys << file.value(alloys, alloyKey(i));

    const QString section = messageSection();
    for (const Message& m : messages()) {
        const QString text = file.value(section, messageKey(m.number));
        plan.messages.append({m.number, text.isEmpty() ? m.builtIn : text});
    }
    return plan;
}

QString chooseLanguageFile(bool russianChecked, bool englishChecked, const QString& current)
{
    if (russianChecked && !englishChecked)
        return russianFileName();
    if (englishChecked && !russianChecked)
        return englishFileName();
    return current;
}

QString locateLanguageFile(const QString& name, const QStringList& folders)
{
    if (name.isEmpty())
        return {};
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(name);
        // A file larger than any language file is taken for none.
        if (const QFileInfo info(path); info.isFile() && info.size() <= PrivateProfile::MaximumSize)
            return path;
    }
    return {};
}

QList<QStringList> shippedMaterialLists(const QStringList& folders)
{
    QList<QStringList> lists;
    for (const QString& name : {russianFileName(), englishFileName()}) {
        const QString path = locateLanguageFile(name, folders);
        if (!path.isEmpty())
            lists << readLanguageFile(path).materials;
    }
    return lists;
}

} // namespace tolvex::language
