# Each buffer module behind the same editor loop, on the same commands: a short edit, then steps
# past both ends and deletions across chunkrow's block boundaries.
for module in $WB_BUFFER_MODULES; do
    for script in edit ends; do
        heading "buffer module $module (bufdemo-$module < $script.txt)"
        run "bufdemo-$module" <"$root/buffers/samples/$script.txt"
    done
done
