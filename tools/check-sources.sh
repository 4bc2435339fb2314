#!/usr/bin/env bash
# Source checks run before the build in CI: every source follows .clang-format, and
# the core includes no header of Qt's Gui, Widgets, PrintSupport, Svg or Network
# modules (it computes and formats; windows live in src/ui).
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')
if ! clang-format --dry-run -Werror "${sources[@]}"; then
    echo "check-sources: run clang-format -i on the files above" >&2
    status=1
fi

# A Qt header of the core must be one of Qt Core's own.
qtcore=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)/QtCore
while IFS=: read -r file line text; do
    header=$(sed -E 's/.*#\s*include\s*<([^>]+)>.*/\1/' <<<"$text")
    case "$header" in
    QtGui/* | QtWidgets/* | QtPrintSupport/* | QtSvg/* | QtSvgWidgets/* | QtNetwork/*)
        echo "$file:$line: the core includes <$header>" >&2
        status=1
        ;;
    Q*)
        if [ ! -e "$qtcore/$header" ] && [ ! -e "$qtcore/${header#QtCore/}" ]; then
            echo "$file:$line: <$header> is not a Qt Core header" >&2
            status=1
        fi
        ;;
    esac
done < <(git grep -n -E '^\s*#\s*include\s*<Q' -- 'src/core/*')
exit $status
