#pragma once
// Small pure helpers shared by the series store, the diagram and the signal library.
// None allocates; the out-arguments are the only effects.

#include <cstddef>
#include <type_traits>

// A real function of one variable as a plotted curve holds it: a plain function, or a
// function bound to the object it reads (a context pointer and a function taking it), so
// that two objects never share a curve's state. Copying one allocates nothing.
class TRealFunction {
 public:
  using TPlain = double (*)(double);
  constexpr TRealFunction() = default;
  constexpr TRealFunction(std::nullptr_t) {}
  constexpr TRealFunction(TPlain f) : Plain(f) {}
  // A lambda without captures, as a plain function.
  template <class F>
  requires(std::is_convertible_v<F, TPlain> && !std::is_same_v<F, TPlain>) constexpr TRealFunction(F f) : Plain(f) {}
  // F(context, x), with the context kept by address: it must outlive every copy.
  template <class T, double (*F)(const T&, double)>
  static TRealFunction Bind(const T& context) {
    TRealFunction f;
    f.Context = &context;
    f.Bound = [](const void* c, double x) { return F(*static_cast<const T*>(c), x); };
    return f;
  }
  double operator()(double x) const { return Bound ? Bound(Context, x) : Plain(x); }
  explicit operator bool() const { return Plain != nullptr || Bound != nullptr; }
  friend bool operator==(const TRealFunction&, const TRealFunction&) = default;

 private:
  TPlain Plain = nullptr;
  const void* Context = nullptr;
  double (*Bound)(const void*, double) = nullptr;
};

void Swap(double& a, double& b);
// true when [a, b] is a proper interval (swapped into order if needed); false when a == b
// or the comparison is unordered (NaN).
bool Order(double& a, double& b);
bool RaiseTo(double v, double& x);
bool LowerTo(double v, double& x);
bool RaiseToInt(int v, int& x);
bool LowerToInt(int v, int& x);

// Extremes of a[0 .. |n|-1]; n must be at least 1.
void ArrayMinMax(const double* a, int n, double& ymin, double& ymax);
// Extremes of f on |n| equally spaced points of [xmin, xmax] (100 points when n is 0).
void FunctionMinMax(TRealFunction f, double xmin, double xmax, int n, double& ymin, double& ymax);

// Triangle kernel of half-width |h|: 1 - |t|/|h| inside, 0 outside and when h is 0.
double TriangleWeight(double t, double h);

int Binomial(int n, int k);
// n! for |n|; exact up to 20, Stirling's series beyond.
long double Factorial(int n);
// -1 for odd n, 1 for even n.
int MinusOnePower(int n);
