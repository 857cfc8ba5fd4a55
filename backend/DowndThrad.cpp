#include "DowndThrad.h"

CDowndThrad::~CDowndThrad()
{
    quit();
    wait();
}
