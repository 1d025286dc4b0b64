// The one exception class of the program: a message and, for framework errors, the negative
// program error code as help context.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message, int helpContext = 0)
      : Message(std::move(message)), HelpContext(helpContext) {}
  const char* what() const noexcept override { return Message.c_str(); }

  std::string Message;
  int HelpContext;
};
