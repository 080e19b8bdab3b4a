#include "TempHome.h"

#include "DataFolder.h"

TempHome::TempHome() : m_previous(DataFolder::current())
{
    DataFolder::setCurrent(m_dir.path());
}

TempHome::~TempHome()
{
    DataFolder::setCurrent(m_previous);
}
