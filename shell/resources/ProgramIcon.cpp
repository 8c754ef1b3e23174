#include "shell/resources/ProgramIcon.h"

// The resource lives in a static library, so it has to be pulled in by name.
static void initProgramResources() {
    Q_INIT_RESOURCE(resources);
}

namespace fr {

QIcon programIcon() {
    initProgramResources();
    return QIcon(QStringLiteral(":/LOCATE_ICO"));
}

} // namespace fr
