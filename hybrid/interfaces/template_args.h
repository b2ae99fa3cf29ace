// The argument list of a template call, read strictly in the order of the
// codes. Each code reads its argument with its own type: on x86-64 a
// variadic int and a pointer differ in size, so reading every argument as
// 32 bits would fall out of step.
#pragma once

#include <cstdarg>

namespace scalewright {

class TemplateArgs {
 public:
  virtual ~TemplateArgs() = default;
  // Called before the arguments of each recognised code are read: element
  // letter and code. Lets tests check that template and list stay in step.
  virtual void BeginCode(char /*letter*/, char /*code*/) {}
  virtual int Int() = 0;        // integers, identifiers, sizes
  virtual unsigned Uint() = 0;  // colours, style bits, packed borders
  virtual void* Pointer() = 0;  // objects, out-arguments, handles
  virtual const char* String() = 0;
};

// Reads a va_list; it copies the list so that the caller may end its own.
class VaTemplateArgs : public TemplateArgs {
 public:
  explicit VaTemplateArgs(va_list list) { va_copy(m_list, list); }
  ~VaTemplateArgs() override { va_end(m_list); }
  VaTemplateArgs(const VaTemplateArgs&) = delete;
  VaTemplateArgs& operator=(const VaTemplateArgs&) = delete;

  int Int() override { return va_arg(m_list, int); }
  unsigned Uint() override { return va_arg(m_list, unsigned); }
  void* Pointer() override { return va_arg(m_list, void*); }
  const char* String() override { return va_arg(m_list, const char*); }

 private:
  va_list m_list;
};

}  // namespace scalewright
