// Feeds arbitrary names to the path functions: resolution, naming, kinds, patterns and relative names must
// hold their rules for empty, very long and odd names without touching the file system.
#include "base/filekinds.h"
#include "base/files.h"
#include "base/filesearch.h"
#include "base/standardfolders.h"
#include "base/wildcard.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool folders = [] {
        BSSetProgramFolder(QStringLiteral("/nonexistent/mirevo-fuzz/prog"));
        return true;
    }();
    (void)folders;

    const QString name = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const BSRef<IBSFile> file = NewFile(name);
    const QString full = file->FullName();
    if (!file->IsEmpty()) {
        if (!full.startsWith(QLatin1Char('/')) || full.contains(QLatin1String("/../")) || full.endsWith(QLatin1String("/..")))
            __builtin_trap();
        for (QChar c : full)
            if (QStringLiteral("<>\":?*|\\").contains(c) || c.unicode() == 0)
                __builtin_trap();
        if (file->DirPath() + file->Name() != full)
            __builtin_trap();
        if (file->BaseName() + file->Extension() != file->Name())
            __builtin_trap();
        if (file->Kind() < 0 || file->Kind() >= BSFileKindCount)
            __builtin_trap();
        if (!file->IsWithin(file->Directory()))
            __builtin_trap();
        file->WithExtension(QStringLiteral(".txt"));
        file->RelativeName(NewDirectory(QStringLiteral("/nonexistent/mirevo-fuzz/other/x")));
    }
    const BSRef<IBSDirectory> dir = NewDirectory(name);
    if (dir->FullName().size() > 1 && dir->FullName().endsWith(QLatin1Char('/')))
        __builtin_trap();
    if (!dir->DirPath().endsWith(QLatin1Char('/')))
        __builtin_trap();
    dir->RelativeName(SpecialDirectory(sdProgram));
    BSSearchPatterns(name);
    BSFileNameMatch(name, QStringLiteral("report.pdf"));
    BSWildcardMatch(name, name, Qt::CaseInsensitive);
    BSFileKindOfExtension(name);
    return 0;
}
