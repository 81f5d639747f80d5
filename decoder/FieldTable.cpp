// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldTable.h"

#include <QtGlobal>

namespace tallisk {

namespace {

#define CAPTION(text) QT_TRANSLATE_NOOP("FieldTable", text)

constexpr std::array<FieldInfo, kFieldCount> kTable{{
    {Field::Core, "lblCore", "lblInfoCore", CAPTION("Core"), CAPTION("Core"), "core"},
    {Field::CpuModel, "lblCPUModel", "lblInfoCPUCore", CAPTION("CPU Model"), CAPTION("CPU Model"),
     "cpu_model"},
    {Field::PerfRating, "lblCPUPerfRating", "lblInfoPerfRating", CAPTION("Performance Rating"),
     CAPTION("Performance Rating"), "performance_rating"},
    {Field::WorkingFreq, "lblWorkingFreq", "lblInfoWorkingFreq", CAPTION("Working frequency"),
     CAPTION("Working Frequency"), "working_frequency"},
    {Field::PackageType, "lblPackageType", "lblInfoPackageType", CAPTION("Package Type"),
     CAPTION("Package Type"), "package_type"},
    {Field::OperatingVoltage, "lblOperatingVoltage", "lblInfoOperatingVoltage",
     CAPTION("Operating Voltage"), CAPTION("Operating Voltage"), "operating_voltage"},
    {Field::OperatingTemperature, "lblOperatingTemperature", "lblInfoOperatingTemperature",
     CAPTION("Operating Temperature"), CAPTION("Operating Temperature (Max)"),
     "operating_temperature"},
    {Field::L1Cache, "lblL1Cache", "lblInfoL1Cache", CAPTION("L1 Cache"), CAPTION("L1 Cache Size"),
     "l1_cache"},
    {Field::L2Cache, "lblL2Cache", "lblInfoL2Cache", CAPTION("L2 Cache"), CAPTION("L2 Cache Size"),
     "l2_cache"},
    {Field::Multiplier, "lblCPUMultiplier", "lblInfoMultiplier", CAPTION("Multiplier"),
     CAPTION("Multiplier"), "multiplier"},
    {Field::Fsb, "lblFSB", "lblInfoFSB", CAPTION("FSB Frequency"), CAPTION("FSB Frequency"),
     "fsb_frequency"},
    {Field::Stepping, "lblCPUStepping", "lblInfoStepping", CAPTION("Stepping Code"),
     CAPTION("Stepping Code"), "stepping_code"},
    {Field::ManYear, "lblManYear", "lblInfoManYear", CAPTION("Manufacture Year"),
     CAPTION("Manufacture Year"), "manufacture_year"},
    {Field::ManWeek, "lblManWeek", "lblInfoManWeek", CAPTION("Manufacture Week"),
     CAPTION("Manufacture Week"), "manufacture_week"},
    {Field::ProductionBatch, "lblProductionBatch", "lblInfoProductionBatch",
     CAPTION("Production Batch"), CAPTION("Production Batch"), "production_batch"},
    // The caption label's name carries a stray "l"; it is the name the window has always used.
    {Field::ProductionNumber, "lblProductionNumber", "lblInfolProductionNumber",
     CAPTION("Batch Production Number"), CAPTION("Batch Production Number"),
     "batch_production_number"},
    {Field::DowngradedFrom, "lblDowngradedFrom", "lblInfoDowngradedFrom",
     CAPTION("Downgraded from"), CAPTION("Downgraded from"), "downgraded_from"},
}};

#undef CAPTION

// The table is indexed by the enum: keep the two in step at compile time.
constexpr bool tableFollowsEnum()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (fieldIndex(kTable[i].field) != i)
            return false;
    }
    return true;
}
static_assert(tableFollowsEnum(), "field table rows must follow the Field enum order");

} // namespace

const std::array<FieldInfo, kFieldCount>& fieldTable()
{
    return kTable;
}

const FieldInfo& fieldInfo(Field field)
{
    return kTable[fieldIndex(field)];
}

} // namespace tallisk
