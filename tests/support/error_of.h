#pragma once

#include "core/velmora_error.h"

#include <QString>
#include <functional>

// Runs `action` and returns the text of the VelmoraError it throws (empty when it throws nothing).
inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const VelmoraError &error) {
        return error.message();
    }
    return {};
}
