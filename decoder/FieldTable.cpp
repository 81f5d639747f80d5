// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldTable.h"

#include <QtGlobal>

#include <string_view>

namespace tallisk {

namespace {

// Captions are written out in full inside QT_TRANSLATE_NOOP, so that lupdate finds each under
// the table's context; the export's row titles belong to the file format and stay as they are.
constexpr std::array<FieldInfo, kFieldCount> kTable{{
    {Field::Core, "lblCore", "lblInfoCore", QT_TRANSLATE_NOOP("FieldTable", "Core"), "Core",
     "core"},
    {Field::CpuModel, "lblCPUModel", "lblInfoCPUCore", QT_TRANSLATE_NOOP("FieldTable", "CPU Model"),
     "CPU Model", "cpu_model"},
    {Field::PerfRating, "lblCPUPerfRating", "lblInfoPerfRating",
     QT_TRANSLATE_NOOP("FieldTable", "Performance Rating"), "Performance Rating",
     "performance_rating"},
    {Field::WorkingFreq, "lblWorkingFreq", "lblInfoWorkingFreq",
     QT_TRANSLATE_NOOP("FieldTable", "Working frequency"), "Working Frequency",
     "working_frequency"},
    {Field::PackageType, "lblPackageType", "lblInfoPackageType",
     QT_TRANSLATE_NOOP("FieldTable", "Package Type"), "Package Type", "package_type"},
    {Field::OperatingVoltage, "lblOperatingVoltage", "lblInfoOperatingVoltage",
     QT_TRANSLATE_NOOP("FieldTable", "Operating Voltage"), "Operating Voltage",
     "operating_voltage"},
    {Field::OperatingTemperature, "lblOperatingTemperature", "lblInfoOperatingTemperature",
     QT_TRANSLATE_NOOP("FieldTable", "Operating Temperature"), "Operating Temperature (Max)",
     "operating_temperature"},
    {Field::L1Cache, "lblL1Cache", "lblInfoL1Cache", QT_TRANSLATE_NOOP("FieldTable", "L1 Cache"),
     "L1 Cache Size", "l1_cache"},
    {Field::L2Cache, "lblL2Cache", "lblInfoL2Cache", QT_TRANSLATE_NOOP("FieldTable", "L2 Cache"),
     "L2 Cache Size", "l2_cache"},
    {Field::Multiplier, "lblCPUMultiplier", "lblInfoMultiplier",
     QT_TRANSLATE_NOOP("FieldTable", "Multiplier"), "Multiplier", "multiplier"},
    {Field::Fsb, "lblFSB", "lblInfoFSB", QT_TRANSLATE_NOOP("FieldTable", "FSB Frequency"),
     "FSB Frequency", "fsb_frequency"},
    {Field::Stepping, "lblCPUStepping", "lblInfoStepping",
     QT_TRANSLATE_NOOP("FieldTable", "Stepping Code"), "Stepping Code", "stepping_code"},
    {Field::ManYear, "lblManYear", "lblInfoManYear",
     QT_TRANSLATE_NOOP("FieldTable", "Manufacture Year"), "Manufacture Year", "manufacture_year"},
    {Field::ManWeek, "lblManWeek", "lblInfoManWeek",
     QT_TRANSLATE_NOOP("FieldTable", "Manufacture Week"), "Manufacture Week", "manufacture_week"},
    {Field::ProductionBatch, "lblProductionBatch", "lblInfoProductionBatch",
     QT_TRANSLATE_NOOP("FieldTable", "Production Batch"), "Production Batch", "production_batch"},
    // The caption label's name carries a stray "l"; it is the name the window has always used.
    {Field::ProductionNumber, "lblProductionNumber", "lblInfolProductionNumber",
     QT_TRANSLATE_NOOP("FieldTable", "Batch Production Number"), "Batch Production Number",
     "batch_production_number"},
    {Field::DowngradedFrom, "lblDowngradedFrom", "lblInfoDowngradedFrom",
     QT_TRANSLATE_NOOP("FieldTable", "Downgraded from"), "Downgraded from", "downgraded_from"},
}};

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
static_assert(std::string_view(kFieldTableContext) == "FieldTable",
              "the captions above are marked under the translation context the readers use");

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
