#include "betting/KaimeSetForm.h"

#include "frame/IniFile.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"

#include <algorithm>

namespace renoka {

void TKaimeSetForm::FormCreate() {
    Amount = std::clamp<int64_t>(m_ini.readInteger("KaimeSet", "DefaultAmount", 3000), 0, kMaxField);
    Zogaku = 0;
    TarProfit = 0;
    closed = false;
}

void TKaimeSetForm::BitBtn1Click() {
    for (int64_t* value : {&Amount, &Zogaku, &TarProfit})
        *value = std::clamp(*value, kMinimum, kMaxField);
    m_ini.writeInteger("KaimeSet", "DefaultAmount", static_cast<int>(Amount));
    m_ini.writeInteger("KaimeSet", "DefaultZogaku", static_cast<int>(Zogaku));
    m_ini.writeInteger("KaimeSet", "DefaultTarProfit", static_cast<int>(TarProfit));
    if (!m_datList.items.empty()) {
        m_datList.itemIndex = std::clamp(m_store.CurrentRace, 0, static_cast<int>(m_datList.items.size()) - 1);
        if (m_showRace) m_showRace();
    }
    closed = true;
}

} // namespace renoka
