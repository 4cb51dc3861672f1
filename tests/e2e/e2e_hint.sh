#!/usr/bin/env bash
# The application's hint on the main window: resting the pointer on the start button, even
# while it is disabled, shows " バックアップ開始" in the red rounded hint just below the pointer.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_empty_drives
e2e_start
e2e_wait_ready

e2e_probe hint
e2e_expect "hint before the pointer comes" "${PROBE[visible]-0}" 0
# The pointer rests near the start button's lower edge: window (20,20) + (162,280).
x=182 y=280
xdotool mousemove $((x + 1)) $((y + 1)) mousemove "$x" "$y"
e2e_wait_for "hint window" e2e_probe_is hint visible 1
left=${PROBE[left]} top=${PROBE[top]} width=${PROBE[width]} height=${PROBE[height]}
[ "$top" -gt "$y" ] || e2e_fail "hint at top $top, expected below the pointer at $y"
[ "$left" -le "$x" ] && [ $((left + width)) -gt "$x" ] || e2e_fail "hint at left $left"
e2e_screenshot hint-on-start-button
shot="$E2E_ARTIFACTS/hint-on-start-button.png"
red=$(e2e_colour_count "$shot" "$left" "$top" "$width" "$height" 255 0 0)
white=$(e2e_colour_count "$shot" "$left" "$top" "$width" "$height" 255 255 255)
[ $((red * 3)) -gt $((width * height)) ] || e2e_fail "hint: $red red pixels of $((width * height))"
[ "$white" -gt 20 ] || e2e_fail "hint text: $white white pixels"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
