// The language-file reader over arbitrary file bytes: never crashes, always gives
// one text per form target, material and alloy, and no empty message.
#include "FuzzCheck.h"
#include "core/app/LanguageFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

using namespace tolvex::language;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("english.lng"));
    static const LanguagePlan empty = readLanguageFile(dir.filePath(QStringLiteral("none.lng")));
    {
        QFile file(path);
        fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "temp file");
        file.write(reinterpret_cast<const char*>(data), qsizetype(size));
    }
    const LanguagePlan plan = readLanguageFile(path);
    fuzzCheck(plan.fileExists, "file exists");
    fuzzCheck(plan.form.size() == empty.form.size(), "form texts");
    fuzzCheck(plan.materials.size() == empty.materials.size(), "material names");
    fuzzCheck(plan.alloys.size() == empty.alloys.size(), "alloy names");
    fuzzCheck(plan.messages.size() == empty.messages.size(), "messages");
    for (const auto& m : plan.messages)
        fuzzCheck(!m.second.isEmpty(), "empty message", QString::number(m.first));
    return 0;
}
