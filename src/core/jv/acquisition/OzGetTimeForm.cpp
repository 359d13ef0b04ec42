#include "jv/acquisition/OzGetTimeForm.h"

#include "frame/IniFile.h"

#include <algorithm>

namespace renoka {

namespace {

int within(const SpinEdit& spin, int value) {
    return std::clamp(value, spin.minValue, spin.maxValue);
}

} // namespace

void TOzGetTimeForm::FormCreate() {
    OzGetSpin.value = within(OzGetSpin, m_ini.readInteger("Time", "AutoOzGet", 10));
    RdataGetSpin.value = within(RdataGetSpin, m_ini.readInteger("Time", "AutoRdataGet", 10));
    BataijuGetSpin.value = within(BataijuGetSpin, m_ini.readInteger("Time", "AutoBataijuGet", 37));
}

void TOzGetTimeForm::OKBtnClick() {
    m_ini.writeInteger("Time", "AutoOzGet", within(OzGetSpin, OzGetSpin.value));
    m_ini.writeInteger("Time", "AutoRdataGet", within(RdataGetSpin, RdataGetSpin.value));
    m_ini.writeInteger("Time", "AutoBataijuGet", within(BataijuGetSpin, BataijuGetSpin.value));
}

} // namespace renoka
