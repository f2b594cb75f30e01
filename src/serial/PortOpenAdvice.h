#pragma once
// What to tell the user when the port would not open: the cause and how to
// fix it, for the causes the user can fix; "" for any other.
#include <string>

// `error` is the errno of the failed open (Serialport::LastError).
std::string PortOpenAdvice(const std::string& port, int error);
