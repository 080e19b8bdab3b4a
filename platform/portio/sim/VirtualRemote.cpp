#include "VirtualRemote.h"

#include <algorithm>

namespace {

constexpr double kNsPerUs = 1000;
// Pulses that ended this long ago are forgotten when new ones are scheduled.
constexpr std::int64_t kKeepNs = 10'000'000'000;

} // namespace

void VirtualRemote::schedule(const std::vector<double>& envelope, std::int64_t atNs, const Options& options)
{
    if (options.distance == Distance::Far)
        return;
    const double carrier = options.carrierKHz > 0 ? options.carrierKHz : 38;
    const double periodUs = 1000 / carrier;
    const double onUs = std::clamp(options.duty, 0.05, 0.95) * periodUs;
    std::uniform_real_distribution<double> jitter(-options.jitterUs, options.jitterUs);
    std::vector<Pulse> pulses;
    double offsetUs = 0;
    for (std::size_t i = 0; i < envelope.size(); offsetUs += envelope[i], ++i) {
        if (i % 2 == 1)
            continue; // a space
        const double markUs = envelope[i];
        if (options.distance == Distance::Near) {
            pulses.push_back(
                {atNs + std::int64_t(offsetUs * kNsPerUs), atNs + std::int64_t((offsetUs + markUs) * kNsPerUs)});
            continue;
        }
        for (double t = 0; t < markUs; t += periodUs) {
            double start = offsetUs + t;
            double end = start + onUs;
            if (options.jitterUs > 0) {
                start += jitter(m_random);
                end += jitter(m_random);
            }
            auto s = atNs + std::int64_t(start * kNsPerUs);
            auto e = atNs + std::int64_t(end * kNsPerUs);
            if (!pulses.empty())
                s = std::max(s, pulses.back().end + 500); // jitter never merges two pulses
            pulses.push_back({s, std::max(e, s + 500)});
        }
    }
    std::lock_guard lock(m_mutex);
    const std::int64_t forgetBefore = atNs - kKeepNs;
    std::erase_if(m_pulses, [&](const Pulse& p) { return p.end < forgetBefore; });
    m_pulses.insert(m_pulses.end(), pulses.begin(), pulses.end());
    std::sort(m_pulses.begin(), m_pulses.end(), [](const Pulse& a, const Pulse& b) { return a.start < b.start; });
    m_cursor = 0;
}

void VirtualRemote::press(const IrFrame& frame, std::int64_t atNs, const Options& options)
{
    Options o = options;
    if (o.carrierKHz <= 0)
        o.carrierKHz = nominalCarrierKHz(frame.protocol);
    schedule(encodeFrame(frame), atNs, o);
}

void VirtualRemote::hold(const IrFrame& frame, std::int64_t atNs, double holdMs, const Options& options)
{
    Options o = options;
    if (o.carrierKHz <= 0)
        o.carrierKHz = nominalCarrierKHz(frame.protocol);
    const auto period = std::int64_t(framePeriodUs(frame.protocol) * kNsPerUs);
    const auto until = atNs + std::int64_t(holdMs * 1e6);
    schedule(encodeFrame(frame), atNs, o);
    const std::vector<double> repeat = encodeRepeat(frame);
    for (std::int64_t at = atNs + period; at < until; at += period)
        schedule(repeat, at, o);
}

void VirtualRemote::setLight(bool lit)
{
    std::lock_guard lock(m_mutex);
    m_steadyLight = lit;
}

bool VirtualRemote::light() const
{
    std::lock_guard lock(m_mutex);
    return m_steadyLight;
}

void VirtualRemote::clear()
{
    std::lock_guard lock(m_mutex);
    m_pulses.clear();
    m_cursor = 0;
}

bool VirtualRemote::litAt(std::int64_t ns)
{
    std::lock_guard lock(m_mutex);
    if (m_steadyLight)
        return true;
    if (m_cursor > 0 && (m_cursor > m_pulses.size() || m_pulses[m_cursor - 1].end > ns)) {
        // The clock went back (another reader): find the place again.
        m_cursor = std::size_t(
            std::partition_point(m_pulses.begin(), m_pulses.end(), [ns](const Pulse& p) { return p.end <= ns; }) -
            m_pulses.begin());
    }
    while (m_cursor < m_pulses.size() && m_pulses[m_cursor].end <= ns)
        ++m_cursor;
    return m_cursor < m_pulses.size() && m_pulses[m_cursor].start <= ns;
}

std::int64_t VirtualRemote::busyUntil() const
{
    std::lock_guard lock(m_mutex);
    return m_pulses.empty() ? 0 : m_pulses.back().end;
}
