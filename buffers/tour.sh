# Each buffer module behind the same editor loop, on the same commands.
for module in $(ls "$bin" | sed -n 's/^bufdemo-//p'); do
    heading "buffer module $module (bufdemo-$module < edit.txt)"
    run "bufdemo-$module" <"$root/buffers/samples/edit.txt"
done
