#pragma once
// Form-resource streaming of the gx library: the published properties of the
// speed buttons, their style objects, bevels, label colours, gradients and the
// 3D colour scheme, in stream order with their defaults. Each base class's
// constructor calls this, so any gx object can be written and read.
namespace gx {

// Idempotent.
void RegisterProperties();

} // namespace gx
