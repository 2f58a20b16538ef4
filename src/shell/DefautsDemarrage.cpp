#include "shell/DefautsDemarrage.h"

#include "shell/Emplacements.h"
#include "shell/INI.h"
#include "shell/TableOptions.h"

namespace vantorelle {

void ÉcrireDéfautsDémarrage() {
    INI ini(1, std::string(TitreApplication));
    for (const Option& option : TableOptions())
        if (option.défautDémarrage)
            ini.Value(option.section, option.clé, "", ini.Value(option.section, option.clé, *option.défautDémarrage));
}

}  // namespace vantorelle
