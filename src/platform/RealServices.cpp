#include "platform/RealServices.h"

#include <QDateTime>

RealServices::RealServices()
    : m_random(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()))
    , m_media(createPlayerChannel())
{
    m_services.clock = &m_clock;
    m_services.pause = &m_pause;
    m_services.random = &m_random;
    m_services.dialogs = &m_dialogs;
    m_services.media = m_media.get();
}

RealServices::~RealServices() = default;
