# Sourced by the scripts that click on the window's face (after $build is set): the face layout's points,
# which the native build writes from app/FaceLayout.h, and where a point of the face lies on the screen.
# shellcheck source=/dev/null
. "$build/native/face-points.sh"

# The face lies at the bottom of the window, one pixel inside the frame: the window is sized for a sizing
# frame (the skin's geometry) but drawn with a frame one pixel thinner, under the caption and the menu bar.
# In the compact view (no face) the points are spread over the caption and the menu bar instead. A window
# dragged partly off the screen is clicked at the screen's edge.
face_point() {  # WINDOW X Y: the screen point "x y"
  local X=0 Y=0 WIDTH=$face_width HEIGHT=$face_height screen_width screen_height
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
  read -r screen_width screen_height < <(xdotool getdisplaygeometry)
  local frame=$(((WIDTH - face_width) / 2)) x y
  if [ "$HEIGHT" -ge "$face_height" ]; then
    x=$((X + frame - 1 + $2)) y=$((Y + HEIGHT - face_height - frame - 1 + $3))
  else
    x=$((X + $2 * WIDTH / face_width)) y=$((Y + $3 * HEIGHT / face_height))
  fi
  x=$((x < 0 ? 0 : x >= screen_width ? screen_width - 1 : x)) y=$((y < 0 ? 0 : y >= screen_height ? screen_height - 1 : y))
  echo "$x" "$y"
}
