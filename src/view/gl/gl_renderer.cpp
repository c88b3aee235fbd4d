// Placeholder until the GL renderer lands.
namespace pelmora {}
