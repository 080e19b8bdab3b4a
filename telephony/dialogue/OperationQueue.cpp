#include "OperationQueue.h"

bool OperationQueue::add(Operation operation)
{
    if (isFull())
        return false;
    m_operations.append(std::move(operation));
    return true;
}
