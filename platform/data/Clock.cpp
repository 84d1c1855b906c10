#include "data/Clock.h"

#include <mutex>

namespace utils {

namespace {

std::mutex s_mutex;
QDateTime s_fixed;

} // namespace

QDateTime currentDateTime()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    return s_fixed.isValid() ? s_fixed : QDateTime::currentDateTime();
}

void setFixedCurrentDateTime(const QDateTime& fixed)
{
    std::lock_guard<std::mutex> lock(s_mutex);
    s_fixed = fixed;
}

} // namespace utils
