#pragma once

namespace ttservice {

// Kind of a system-status record: which service, host resource or counted item it describes.
enum EQdSysStatusType
{
    QSST_CORE_SERVICE = 1,  // core service
    QSST_TRADE_SERVICE = 2, // trading service
    QSST_RISK_SERVICE = 3,  // risk-control service
    QSST_TASK_SERVICE = 4,  // task service
    QSST_TRADE_PLUGIN = 5,  // one trading plug-in per record
    QSST_GATEWAY = 6,       // gateway service (not shown on the dashboard)
    QSST_HOST_CPU = 7,      // host CPU ratios
    QSST_HOST_MEMORY = 8,   // host memory, kilobytes
    QSST_FILE_SYSTEM = 9,   // one mounted file system per record, kilobytes
    QSST_NETWORK_CARD = 10, // network card traffic
    QSST_COUNTED_ITEM = 31  // one counted item per record (count, reference, tolerance)
};

} // namespace ttservice
