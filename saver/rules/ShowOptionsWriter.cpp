// Apart from the reader, so that the saver, which only reads options, links none of this.
#include "ShowOptions.h"

std::string WriteShowOptions(const ShowOptions& options)
{
    const char* const orders[] = {"listed", "shuffle"};
    const char* const fits[] = {"fit", "fill", "blur"};
    return "hold=" + std::to_string(options.m_nHoldSeconds) + "\r\norder=" + orders[options.m_nOrder] +
           "\r\nfit=" + fits[options.m_nFit] + "\r\n";
}
