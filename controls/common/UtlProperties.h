#pragma once
// Form-resource streaming of the UTL library: the published properties of its
// persistent objects (bevels, gradients, fills, alpha and bitmap effects,
// shadows, shapes, teeth, region borders and regions, caption effects,
// glyph-text layouts, date-times), of its radio button, form shape and scroll
// box, and of the timer pool and the starter, in stream order with their
// defaults. TUtlObject's constructor calls this, and so do the constructors
// of the components that own no TUtlObject. It is defined in
// controls/properties, on top of the library, as it names every class there;
// it is declared here so that those callers need not include the folders above them.
namespace utl {

// Idempotent.
void RegisterProperties();

} // namespace utl
