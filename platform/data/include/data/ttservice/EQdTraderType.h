#pragma once

namespace ttservice {

// A trading account's trade type, as the platform's risk control sees it (one bit each).
enum EQdTraderType
{
    QD_TRADER_STOCK = 1,
    QD_TRADER_FUTURE = 2,
    QD_TRADER_CREDIT = 8,
    QD_TRADER_STOCK_OPTION = 32,
    QD_TRADER_SHHK = 128,
    QD_TRADER_NEEQ = 256,
    QD_TRADER_FUTURE_OPTION = 1024,
    QD_TRADER_SZHK = 16384
};

} // namespace ttservice
