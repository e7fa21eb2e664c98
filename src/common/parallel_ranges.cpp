#include "common/parallel_ranges.h"

#include <system_error>
#include <thread>

#if defined(__linux__)
#include <sched.h>
#endif

int ScanThreadCount() {
    int processors = 0;
#if defined(__linux__)
    // The processors this process may use (taskset, cgroups), not all of the machine's.
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0)
        processors = CPU_COUNT(&set);
#endif
    if (processors <= 0)
        processors = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(processors, 1, MaxScanThreads);
}

void RunParts(int parts, const std::function<void(int part)>& body) {
    parts = std::max(parts, 1);
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(parts));
    const auto run = [&](int part) {
        try {
            body(part);
        } catch (...) {
            errors[static_cast<std::size_t>(part)] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    std::vector<int> inlineParts; // parts no thread could be started for run here instead
    for (int part = 1; part < parts; ++part) {
        try {
            threads.emplace_back(run, part);
        } catch (const std::system_error&) {
            inlineParts.push_back(part);
        }
    }
    run(0);
    for (int part : inlineParts)
        run(part);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& error : errors)
        if (error)
            std::rethrow_exception(error);
}

bool AdmittedUnits::admit(std::size_t count, bool last) {
    {
        std::lock_guard lock(mutex_);
        if (abandoned_)
            return false;
        count_ = std::max(count_, count);
        last_ = last_ || last;
    }
    admitted_.notify_all();
    return true;
}

std::size_t AdmittedUnits::waiting() {
    std::lock_guard lock(mutex_);
    return count_ - next_;
}

bool AdmittedUnits::take(std::size_t& begin, std::size_t& end, bool wait) {
    std::unique_lock lock(mutex_);
    if (wait)
        admitted_.wait(lock, [this] { return abandoned_ || next_ < count_ || last_; });
    if (abandoned_ || next_ >= count_)
        return false;
    begin = next_;
    end = std::min(next_ + block_, count_);
    next_ = end;
    return true;
}

void AdmittedUnits::abandon() {
    {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
    }
    admitted_.notify_all();
}
