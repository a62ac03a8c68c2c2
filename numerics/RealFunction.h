#pragma once
// A real function of one real variable as the series, the sums and the windows hand it
// around: either a plain function, or a function bound to the object it reads (a library
// signal, a polyharmonic fragment, a Lagrange basis entry). Two objects therefore never
// share state through a curve. It is two pointers and a function pointer: copying and
// calling it allocate nothing, and the call costs one well-predicted branch over a plain
// function pointer. A bound function refers to its object and must not outlive it.
#include <cstddef>
#include <functional>
#include <type_traits>

template <class F>
concept CPlainLambda = std::is_class_v<F> && std::is_convertible_v<F, double (*)(double)>;

class TRealFunction {
 public:
  using TPlain = double (*)(double);
  using TBound = double (*)(const void*, double);

  constexpr TRealFunction() = default;
  constexpr TRealFunction(std::nullptr_t) {}
  constexpr TRealFunction(TPlain plain) : Plain(plain) {}
  // A lambda without captures is a plain function too.
  template <CPlainLambda F>
  constexpr TRealFunction(F lambda) : Plain(lambda) {}

  // F called with the object: a member function (double (T::*)(double) const) or a free
  // function taking (const T&, double). The object's type is recovered exactly as it was
  // erased, by a trampoline made for F and T, so no call goes through a mismatched pointer.
  //   TRealFunction s = TRealFunction::Bind<&TPolyGarmSignal::SignalValue>(signal);
  template <auto F, class T>
  requires std::is_invocable_r_v<double, decltype(F), const T&, double>
  static constexpr TRealFunction Bind(const T& context) {
    TRealFunction f;
    f.Context = &context;
    f.Bound = &Trampoline<F, T>;
    return f;
  }
  // A temporary would be gone before the first call.
  template <auto F, class T>
  static TRealFunction Bind(const T&& context) = delete;

  double operator()(double x) const { return Bound ? Bound(Context, x) : Plain(x); }
  constexpr explicit operator bool() const { return Plain || Bound; }
  // Equal when the same plain function, or the same function bound to the same object.
  friend constexpr bool operator==(const TRealFunction&, const TRealFunction&) = default;

 private:
  template <auto F, class T>
  static double Trampoline(const void* context, double x) {
    return std::invoke(F, *static_cast<const T*>(context), x);
  }

  TPlain Plain = nullptr;
  const void* Context = nullptr;
  TBound Bound = nullptr;
};
