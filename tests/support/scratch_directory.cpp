#include "support/scratch_directory.h"

#include <QDir>
#include <cstdlib>

namespace teaser::testing {

ScratchDirectory::ScratchDirectory()
    : directory_(QDir::tempPath() + QStringLiteral("/teaser-test-XXXXXX"))
{
    if (!directory_.isValid())
        std::abort();
    path_ = directory_.path().toStdU16String();
}

}
