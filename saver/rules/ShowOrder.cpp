#include "ShowOrder.h"

#include "ShowOptions.h"

#include <utility>

namespace {

int Draw(const RandomSource& random, int nBelow)
{
    return static_cast<int>(static_cast<unsigned>(random()) % static_cast<unsigned>(nBelow));
}

}  // namespace

CShowOrder::CShowOrder(int nPictures, int nOrder) : m_nPictures(nPictures > 0 ? nPictures : 0), m_nOrder(nOrder) {}

int CShowOrder::Next(const RandomSource& random)
{
    if (m_nPictures == 0)
        return -1;
    if (m_nOrder != ORDER_SHUFFLE) {
        m_nLast = m_nLast >= 0 && m_nLast < m_nPictures - 1 ? m_nLast + 1 : 0;
        return m_nLast;
    }
    if (m_nNext >= m_pass.size())
        Shuffle(random);
    m_nLast = m_pass[m_nNext++];
    return m_nLast;
}

void CShowOrder::Shuffle(const RandomSource& random)
{
    m_pass.resize(static_cast<size_t>(m_nPictures));
    for (int i = 0; i < m_nPictures; ++i)
        m_pass[static_cast<size_t>(i)] = i;
    for (int i = m_nPictures - 1; i > 0; --i)
        std::swap(m_pass[static_cast<size_t>(i)], m_pass[static_cast<size_t>(Draw(random, i + 1))]);
    // The pass before ended on the first of this one: it goes to a random later place.
    if (m_nPictures > 1 && m_pass[0] == m_nLast)
        std::swap(m_pass[0], m_pass[static_cast<size_t>(1 + Draw(random, m_nPictures - 1))]);
    m_nNext = 0;
}
