#pragma once
// Form-resource streaming of the UTL library: the published properties of its
// persistent objects (bevels, gradients, fills, alpha and bitmap effects,
// shadows, shapes, teeth, region borders and regions, caption effects,
// glyph-text layouts) and of its radio button and form shape, in stream order
// with their defaults. TUtlObject's constructor calls this.
namespace utl {

// Idempotent.
void RegisterProperties();

} // namespace utl
