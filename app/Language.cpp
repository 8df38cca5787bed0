#include "Language.h"

#include "Localisation.h"
#include "TVConfig.h"

namespace app {

void useLanguage(const QByteArray &code)
{
    platform::setLanguage(code);
}

QByteArray languageInForce()
{
    // Before any language was chosen the default one is in force.
    const QByteArray code = platform::languageCode();
    return code.isNull() ? tvconfig::DefaultLang : code;
}

} // namespace app
