// Placeholder until the SDL2 backend lands.
namespace pelmora {}
