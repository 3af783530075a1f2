// Entry of the picture half of the media generator: draws every image of the game, area by area.
#include "images_art.h"

namespace mediagen {

void generate_images(Output& out) {
  img::write_shell(out);
  img::write_player(out);
  img::write_effects(out);
  img::write_scenery(out);
  img::write_map(out);
  img::write_aircraft(out);
  img::write_tutorial(out);
}

}  // namespace mediagen
