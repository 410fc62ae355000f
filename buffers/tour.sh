# Each buffer module behind the same editor loop, on the same commands: a short edit, then steps
# past both ends and deletions across chunkrow's block boundaries; last a shorter edit with -i,
# which draws the module's own records after each display.
for module in $WB_BUFFER_MODULES; do
    for script in edit ends; do
        heading "buffer module $module (bufdemo-$module < $script.txt)"
        run "bufdemo-$module" <"$root/buffers/samples/$script.txt"
    done
    heading "buffer module $module inside (bufdemo-$module -i < inside.txt)"
    run "bufdemo-$module" -i <"$root/buffers/samples/inside.txt"
done
