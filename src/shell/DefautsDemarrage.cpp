#include "shell/DefautsDemarrage.h"

#include "shell/INI.h"
#include "shell/TableOptions.h"

namespace vantorelle {

void ÉcrireDéfautsDémarrage(const Emplacements& emplacements) {
    INI ini(emplacements, 1, std::string(TitreApplication));
    for (const Option& option : TableOptions(emplacements))
        if (option.défautDémarrage)
            ini.Value(option.section, option.clé, "", ini.Value(option.section, option.clé, *option.défautDémarrage));
}

}  // namespace vantorelle
